<!DOCTYPE html>
<html lang="en">
<!-- a comment
     over two lines -->
<head>
<style type="text/css">
  body { color: #336699; margin: 10px 1.5em; } /* note */
</style>
<script type="text/javascript">
  var s = "text"; // line comment
  if (a < 0x1F) { f(3.5e2, 'q'); }
</script>
</head>
<body class="main">
<p>Hello <?php echo "a ?> b"; $x = 42; ?> world</p>
<a href="<?= $url ?>">link</a>
<a href="x<?php
  echo $u ?>y">the value goes on after the script</a>
<script>var u = "<?php echo $u ?>/page";</script>
<script>var t = `multi
line`; </script>
</body>
</html>
<?php
/* block
   comment */
function greet($name) {
  return 'Hi ' . $name; # hash comment
}
?>
<?php echo 1; // the line comment ends with PHP ?> <b>markup</b>
<?php $a = 2; # so does a hash comment ?> text
<?php $s = '?> in a string'; /* ?> in a comment */ ?> end
