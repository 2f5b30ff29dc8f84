#!/usr/bin/env python3
"""Writes the program's own help books and word lists:

  help/index.html                 the program's help (Help Topics)
  help/php_manual_en/en/*.html    PHP pages the context help reaches: reserved
                                  variables, control structures, and one page
                                  per function of data/php.ini
  help/cssref/**.html             one page per CSS property of the topic table
  help/htmlref/**.html            one page per HTML element of the topic table
  data/html.ini, data/css.ini     the words of the completion list for HTML
                                  and CSS, name=declaration - description

Every text here is written for this program. The PHP function pages are
made from data/php.ini (see tools/gen_php_functions.py), so run that first.

Usage: tools/gen_help_pages.py
"""
import html
import os
import shutil

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
HELP = os.path.join(ROOT, "help")
DATA = os.path.join(ROOT, "data")

STYLE = ("body{font-family:sans-serif;margin:1.5em;max-width:50em}"
         "code,pre{background:#f4f4f4}h1{font-size:1.4em}")


def page(title, body):
    return ("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%s</title>"
            "<style>%s</style></head>\n<body>\n<h1>%s</h1>\n%s\n</body></html>\n"
            % (html.escape(title), STYLE, html.escape(title), body))


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


# ---- CSS ----------------------------------------------------------------------

CSS = {
    "font": [
        ("font-family", "<family-name> [, <family-name>]*", "The typefaces to draw text in, the first available one winning."),
        ("font-style", "normal | italic | oblique", "Upright, italic or slanted letters."),
        ("font-variant", "normal | small-caps", "Small capitals for lower-case letters."),
        ("font-weight", "normal | bold | bolder | lighter | 100..900", "How heavy the letters are."),
        ("font-size", "<length> | <percentage> | small | medium | large | ...", "The size of the letters."),
        ("font", "[style] [variant] [weight] size[/line-height] family", "Sets the font properties in one declaration."),
    ],
    "color-background": [
        ("color", "<color>", "The colour of the text."),
        ("background-color", "<color> | transparent", "The colour behind the element's content and padding."),
        ("background-image", "<url> | none", "A picture drawn behind the content."),
        ("background-repeat", "repeat | repeat-x | repeat-y | no-repeat", "Whether and how the background picture is tiled."),
        ("background-attachment", "scroll | fixed", "Whether the background picture scrolls with the page."),
        ("background-position", "<percentage> | <length> | top | center | bottom | left | right", "Where the background picture starts."),
        ("background", "[color] [image] [repeat] [attachment] [position]", "Sets the background properties in one declaration."),
    ],
    "text": [
        ("word-spacing", "normal | <length>", "Extra space between words."),
        ("letter-spacing", "normal | <length>", "Extra space between letters."),
        ("text-decoration", "none | underline | overline | line-through", "Lines drawn with the text."),
        ("vertical-align", "baseline | sub | super | top | middle | bottom | <percentage>", "How an inline element sits on its line."),
        ("text-transform", "none | capitalize | uppercase | lowercase", "Changes the letter case of the text as shown."),
        ("text-align", "left | right | center | justify", "How the lines of a block are aligned."),
        ("text-indent", "<length> | <percentage>", "Indentation of the first line of a block."),
        ("line-height", "normal | <number> | <length> | <percentage>", "The height of each line of text."),
    ],
    "box": [(p, v, d) for p, v, d in [
        ("margin-top", "<length> | <percentage> | auto", "Space above the element's border."),
        ("margin-right", "<length> | <percentage> | auto", "Space right of the element's border."),
        ("margin-bottom", "<length> | <percentage> | auto", "Space below the element's border."),
        ("margin-left", "<length> | <percentage> | auto", "Space left of the element's border."),
        ("margin", "<margin-width>{1,4}", "Sets all four margins in one declaration."),
        ("padding-top", "<length> | <percentage>", "Space between the content and the top border."),
        ("padding-right", "<length> | <percentage>", "Space between the content and the right border."),
        ("padding-bottom", "<length> | <percentage>", "Space between the content and the bottom border."),
        ("padding-left", "<length> | <percentage>", "Space between the content and the left border."),
        ("padding", "<padding-width>{1,4}", "Sets all four paddings in one declaration."),
        ("border-top-width", "thin | medium | thick | <length>", "The width of the top border."),
        ("border-right-width", "thin | medium | thick | <length>", "The width of the right border."),
        ("border-bottom-width", "thin | medium | thick | <length>", "The width of the bottom border."),
        ("border-left-width", "thin | medium | thick | <length>", "The width of the left border."),
        ("border-width", "<border-width>{1,4}", "Sets the widths of all four borders."),
        ("border-color", "<color>{1,4}", "Sets the colours of all four borders."),
        ("border-style", "none | dotted | dashed | solid | double | groove | ridge | inset | outset", "How the borders are drawn."),
        ("border-top", "[width] [style] [color]", "Sets the top border in one declaration."),
        ("border-right", "[width] [style] [color]", "Sets the right border in one declaration."),
        ("border-bottom", "[width] [style] [color]", "Sets the bottom border in one declaration."),
        ("border-left", "[width] [style] [color]", "Sets the left border in one declaration."),
        ("border", "[width] [style] [color]", "Sets all four borders alike."),
        ("width", "<length> | <percentage> | auto", "The width of the element's content."),
        ("height", "<length> | <percentage> | auto", "The height of the element's content."),
        ("float", "left | right | none", "Moves the element to a side, letting text flow around it."),
        ("clear", "none | left | right | both", "Keeps the element below floating elements on those sides."),
    ]],
    "classification": [
        ("display", "inline | block | list-item | none | ...", "How the element takes part in the layout."),
        ("white-space", "normal | pre | nowrap", "How blanks and line breaks in the text are kept."),
        ("list-style-type", "disc | circle | square | decimal | lower-roman | upper-roman | lower-alpha | upper-alpha | none", "The marker of list items."),
        ("list-style-image", "<url> | none", "A picture as the marker of list items."),
        ("list-style-position", "inside | outside", "Whether the marker stands inside the item's box."),
        ("list-style", "[type] [position] [image]", "Sets the list item marker in one declaration."),
    ],
}

# ---- HTML ---------------------------------------------------------------------

HTML = {
    "html": [("html", "The root of a document."), ("body", "The document's content.")],
    "head": [("head", "Information about the document."), ("base", "The base address of relative links."),
             ("link", "A related document, such as a style sheet."), ("meta", "A property of the document."),
             ("style", "A style sheet inside the document."), ("title", "The document's title.")],
    "block": [("address", "Contact information."), ("blockquote", "A quoted passage."),
              ("center", "Centred content."), ("div", "A generic block."),
              ("h1", "A heading of level 1."), ("h2", "A heading of level 2."), ("h3", "A heading of level 3."),
              ("h4", "A heading of level 4."), ("h5", "A heading of level 5."), ("h6", "A heading of level 6."),
              ("hr", "A horizontal rule."), ("isindex", "A one-line search prompt."),
              ("noscript", "Content for browsers that run no scripts."), ("p", "A paragraph."),
              ("pre", "Preformatted text.")],
    "lists": [("dir", "A directory list."), ("dl", "A definition list."), ("dt", "A term of a definition list."),
              ("dd", "The description of a term."), ("li", "A list item."), ("menu", "A menu list."),
              ("ol", "An ordered list."), ("ul", "An unordered list.")],
    "tables": [("table", "A table of rows and cells."), ("caption", "The caption of a table."),
               ("colgroup", "A group of columns."), ("col", "A column."), ("thead", "The head rows of a table."),
               ("tfoot", "The foot rows of a table."), ("tbody", "The body rows of a table."),
               ("tr", "A table row."), ("td", "A data cell."), ("th", "A header cell.")],
    "forms": [("form", "A form to fill in and send."), ("button", "A push button."),
              ("fieldset", "A group of form controls."), ("legend", "The caption of a field set."),
              ("input", "A form control."), ("label", "The label of a form control."),
              ("select", "A list to choose from."), ("optgroup", "A group of options."),
              ("option", "A choice of a list."), ("textarea", "A field of several lines of text.")],
    "special": [("a", "A link or a link target."), ("applet", "An embedded applet."),
                ("basefont", "The base font size."), ("bdo", "Text in a forced direction."),
                ("br", "A line break."), ("font", "Text in another font."), ("iframe", "An inline frame."),
                ("img", "An embedded picture."), ("map", "A client-side picture map."),
                ("area", "A region of a picture map."), ("object", "An embedded object."),
                ("param", "A parameter of an object."), ("q", "A short quotation."),
                ("script", "A script."), ("span", "A generic run of text."),
                ("sub", "Subscript text."), ("sup", "Superscript text.")],
    "phrase": [("abbr", "An abbreviation."), ("acronym", "An acronym."), ("cite", "A citation."),
               ("code", "Computer code."), ("del", "Deleted text."), ("dfn", "A defining instance of a term."),
               ("em", "Emphasis."), ("ins", "Inserted text."), ("kbd", "Text for the user to enter."),
               ("samp", "Sample output."), ("strong", "Strong emphasis."), ("var", "A variable.")],
    "fontstyle": [("b", "Bold text."), ("big", "Larger text."), ("i", "Italic text."),
                  ("s", "Struck-through text."), ("small", "Smaller text."), ("strike", "Struck-through text."),
                  ("tt", "Teletype text."), ("u", "Underlined text.")],
    "frames": [("frameset", "A set of frames."), ("frame", "One frame of a frame set."),
               ("noframes", "Content for browsers without frames.")],
}

# ---- PHP ----------------------------------------------------------------------

SERVER_VARS = ["PHP_SELF", "argv", "argc", "GATEWAY_INTERFACE", "SERVER_NAME", "SERVER_SOFTWARE",
               "SERVER_PROTOCOL", "REQUEST_METHOD", "QUERY_STRING", "DOCUMENT_ROOT", "HTTP_ACCEPT",
               "HTTP_ACCEPT_CHARSET", "HTTP_ACCEPT_ENCODING", "HTTP_ACCEPT_LANGUAGE", "HTTP_CONNECTION",
               "HTTP_HOST", "HTTP_REFERER", "HTTP_USER_AGENT", "REMOTE_ADDR", "REMOTE_HOST", "REMOTE_PORT",
               "SCRIPT_FILENAME", "SERVER_ADMIN", "SERVER_PORT", "SERVER_SIGNATURE", "PATH_TRANSLATED",
               "SCRIPT_NAME", "REQUEST_URI", "PHP_AUTH_USER", "PHP_AUTH_PW", "AUTH_TYPE"]

RESERVED = [
    ("server", "$_SERVER", "Values set by the web server about the request and the script: "
     + ", ".join("<code>%s</code>" % v for v in SERVER_VARS) + "."),
    ("environment", "$_ENV", "The environment the script runs in."),
    ("cookies", "$_COOKIE", "The cookies the browser sent."),
    ("get", "$_GET", "The values of the URL's query string."),
    ("post", "$_POST", "The values of a form sent with the POST method."),
    ("files", "$_FILES", "The files uploaded with the request."),
    ("request", "$_REQUEST", "The values of $_GET, $_POST and $_COOKIE together."),
    ("session", "$_SESSION", "The values kept for the current session."),
    ("globals", "$GLOBALS", "Every variable of the global scope, by name."),
    ("phperrormsg", "$php_errormsg", "The text of the last error message."),
]

CONTROL = [
    ("else", "else", "Runs its statement when the condition of the if before it is false."),
    ("elseif", "elseif", "Tests another condition when the ones before were false."),
    ("while", "while (expr) statement", "Repeats the statement while the expression is true."),
    ("do.while", "do statement while (expr);", "Runs the statement, then repeats it while the expression is true."),
    ("for", "for (init; condition; step) statement", "A loop with a start, a condition and a step."),
    ("foreach", "foreach ($array as $key => $value) statement", "Runs the statement for each element of an array."),
    ("break", "break [n];", "Leaves the innermost n loops or switch statements."),
    ("continue", "continue [n];", "Goes on with the next pass of the loop."),
    ("switch", "switch (expr) { case value: ... }", "Chooses the statements of the case that equals the expression."),
    ("declare", "declare (directive) statement", "Sets a directive for a block of code."),
]


def write_php(functions):
    book = os.path.join(HELP, "php_manual_en", "en")
    body = "".join('<h2 id="reserved.variables.%s">%s</h2>\n<p>%s</p>\n' % (a, html.escape(n), d)
                   for a, n, d in RESERVED)
    write(os.path.join(book, "reserved.variables.html"), page("Predefined variables", body))
    write(os.path.join(book, "language.constants.predefined.html"), page("Magic constants",
          "<p><code>__LINE__</code>, <code>__FILE__</code>, <code>__FUNCTION__</code>, <code>__CLASS__</code> "
          "and <code>__METHOD__</code> stand for the current line, file, function, class and method.</p>"))
    write(os.path.join(book, "function.return.html"), page("return",
          "<pre>return [expr];</pre><p>Ends the current function and gives back the value of the expression.</p>"))
    write(os.path.join(book, "control-structures.html"), page("Control structures",
          '<h2 id="control-structures.if">if</h2><pre>if (expr) statement</pre>'
          "<p>Runs the statement when the expression is true.</p>"))
    for name, synopsis, text in CONTROL:
        write(os.path.join(book, "control-structures.%s.html" % name), page(name,
              "<pre>%s</pre><p>%s</p>" % (html.escape(synopsis), text)))
    write(os.path.join(book, "functions.html"), page("Functions",
          "<pre>function name($arg1, $arg2 = default) { ... }</pre><p>Declares a function.</p>"))
    write(os.path.join(book, "language.oop.html"), page("Classes and objects",
          "<pre>class Name { ... }</pre><p>Declares a class.</p>"))
    index = []
    for name, decl, desc in functions:
        file = "function.%s.html" % name.lower().replace("_", "-")
        write(os.path.join(book, file), page(name, "<pre>%s</pre><p>%s</p>" % (html.escape(decl), html.escape(desc))))
        index.append('<li><a href="%s">%s</a></li>' % (file, html.escape(name)))
    write(os.path.join(book, "funcref.html"), page("PHP functions", "<ul>\n%s\n</ul>" % "\n".join(index)))


def write_css():
    book = os.path.join(HELP, "cssref")
    index, lines = [], []
    for folder, props in CSS.items():
        for name, values, text in props:
            write(os.path.join(book, folder, name + ".html"), page(name,
                  "<pre>%s: %s</pre><p>%s</p>" % (name, html.escape(values), text)))
            index.append('<li><a href="%s/%s.html">%s</a></li>' % (folder, name, name))
            lines.append("%s=%s: %s - %s" % (name, name, values, text))
    write(os.path.join(book, "units.html"), page("Units",
          '<h2 id="urls">URLs</h2><pre>url(address)</pre><p>The address of a resource, in quotes or not.</p>'))
    write(os.path.join(book, "index.html"), page("CSS reference", "<ul>\n%s\n</ul>" % "\n".join(index)))
    return sorted(lines)


def write_html():
    book = os.path.join(HELP, "htmlref")
    index, lines = [], []
    for folder, elements in HTML.items():
        for name, text in elements:
            write(os.path.join(book, folder, name + ".html"), page("<%s>" % name,
                  "<pre>&lt;%s&gt;</pre><p>%s</p>" % (name, text)))
            index.append('<li><a href="%s/%s.html">%s</a></li>' % (folder, name, name))
            lines.append("%s=<%s> - %s" % (name, name, text))
    write(os.path.join(book, "index.html"), page("HTML reference", "<ul>\n%s\n</ul>" % "\n".join(index)))
    return sorted(lines)


def read_functions():
    functions = []
    with open(os.path.join(DATA, "php.ini"), encoding="utf-8") as f:
        for line in f:
            name, _, value = line.rstrip("\n").partition("=")
            decl, _, desc = value.partition(" - ")
            functions.append((name, decl.strip(), desc.strip()))
    return functions


def main():
    for book in ("php_manual_en", "cssref", "htmlref"):
        shutil.rmtree(os.path.join(HELP, book), ignore_errors=True)
    write_php(read_functions())
    for name, lines in (("css.ini", write_css()), ("html.ini", write_html())):
        write(os.path.join(DATA, name), "\n".join(lines) + "\n")
    write(os.path.join(HELP, "index.html"), page("Quillon help",
          "<p>Quillon edits web pages and scripts.</p><ul>"
          '<li><a href="regular_expressions.html">Regular expressions</a></li>'
          '<li><a href="php_manual_en/en/funcref.html">PHP functions</a></li>'
          '<li><a href="cssref/index.html">CSS reference</a></li>'
          '<li><a href="htmlref/index.html">HTML reference</a></li></ul>'
          "<p>F1 in the editor opens the page for the word at the cursor. While a function call "
          "is typed, its declaration shows under the cursor; Ctrl+Space lists the functions that "
          "start with the word at the cursor, Ctrl+J the code templates.</p>"))


if __name__ == "__main__":
    main()
