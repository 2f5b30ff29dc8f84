/* Java sample */
@Override
public static void main(String[] args) {
  long big = 100L; double d = 2.5e-3; int h = 0x1F;
  char c = '\''; String s = "a \"quoted\" word"; // comment
  String block = """
      text block""";
}
