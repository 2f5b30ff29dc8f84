#!/usr/bin/env python3
"""Writes tools/css-properties.txt: the names of the CSS properties, one a
line, sorted, from the property index of the Mozilla Developer Network's open
web data.

Usage: tools/gen_css_properties.py [properties.json] [output.txt]
The index comes with Debian's node-mdn-data package
(/usr/share/nodejs/mdn-data/css/properties.json). Only the names are taken.
Every status counts (standard, experimental, non-standard, obsolete), since
pages in use still write `zoom` and `clip`. Vendor-prefixed names are left
out: the CSS scheme colours any name after -webkit-, -moz-, -ms- or -o- as a
property. The index leaves out the aural properties of the CSS Speech
module, which style sheets for screen readers still write (`speak`); those
names are added from the module's own property list. tools/gen_schemes.py
reads the list; the build runs neither script.
"""

import json
import os
import re
import sys

DEFAULT_INDEX = '/usr/share/nodejs/mdn-data/css/properties.json'
DEFAULT_OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'css-properties.txt')
NAME = re.compile(r'^[a-z][a-z0-9-]*$')
SPEECH = ('cue', 'cue-after', 'cue-before', 'pause', 'pause-after', 'pause-before', 'rest',
          'rest-after', 'rest-before', 'speak', 'speak-as', 'voice-balance', 'voice-duration',
          'voice-family', 'voice-pitch', 'voice-range', 'voice-rate', 'voice-stress',
          'voice-volume')


def property_names(index_path):
    with open(index_path, encoding='utf-8') as f:
        index = json.load(f)
    # The index also names the custom-property pattern "--*" and prefixed
    # names; neither belongs to the list.
    return sorted({name for name in index if NAME.match(name)} | set(SPEECH))


def main():
    index_path = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_INDEX
    out_path = sys.argv[2] if len(sys.argv) > 2 else DEFAULT_OUT
    names = property_names(index_path)
    if not names:
        sys.exit('no property names in ' + index_path)
    with open(out_path, 'w', encoding='utf-8', newline='\n') as f:
        f.write(''.join(name + '\n' for name in names))
    print('%d properties written to %s' % (len(names), out_path))


if __name__ == '__main__':
    main()
