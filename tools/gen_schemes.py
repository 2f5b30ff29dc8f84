#!/usr/bin/env python3
"""Writes our scheme files into syntaxschemes/ from the compact descriptions
below. The descriptions are ours, from the languages' public definitions."""
import os

OUT = os.path.join(os.path.dirname(__file__), '..', 'syntaxschemes')


def q(s):
    out, run = [], ''
    for ch in s:
        if ord(ch) < 32 or ch == "'":
            if run:
                out.append("'" + run + "'")
                run = ''
            out.append('#%d' % ord(ch))
        else:
            run += ch
    if run or not out:
        out.append("'" + run + "'")
    return ''.join(out)


class Scheme:
    def __init__(self, name, ext):
        self.name, self.ext, self.blocks, self.attrs, self.templates = name, ext, [], [], []

    def attr(self, style, block):
        fid = len(self.attrs)
        if fid == 17:
            self.attrs.append(None)  # the URL attribute's ID
            fid = 18
        self.attrs.append((fid, style, block))
        return fid

    def block(self, name, parent=-1, delims=(), **rules):
        bid = len(self.blocks)
        b = dict(name=name, id=bid, parent=parent, delims=list(delims), **rules)
        b['text'] = self.attr(rules.get('textstyle', 'Whitespace'), bid)
        self.blocks.append(b)
        return b

    def write(self):
        L = ['object TPersHolder', '  P.Name = ' + q(self.name), '  P.Extensions = ' + q(self.ext),
             '  P.SyntaxBlocks = <']
        for b in self.blocks:
            L += emit_block(self, b)
        L[-1] += '>'
        L.append('  P.FontTable = <')
        for a in self.attrs:
            if a is None:
                continue
            L += ['    item', '      FontID = %d' % a[0], '      GlobalAttrID = ' + q(a[1]),
                  '      BlockID = %d' % a[2], '    end']
        L[-1] += '>'
        L.append('  P.CodeTemplates = <')
        for name, desc, code in self.templates:
            L += ['    item', '      Name = ' + q(name), '      Description = ' + q(desc),
                  '      Code.Strings = (']
            L += ['        ' + q(line) for line in code]
            L[-1] += ')'
            L.append('    end')
        if self.templates:
            L[-1] += '>'
        else:
            L[-1] = '  P.CodeTemplates = <>'
        L += ['  P.SyntaxVersion = 3', 'end', '']
        fname = os.path.join(OUT, self.file)
        with open(fname, 'w', encoding='utf-8', newline='') as f:
            f.write('\r\n'.join(L))


def tokens(name, items, pair):
    if not items:
        return []
    L = ['      %s = <' % name]
    for it in items:
        L.append('        item')
        if it[-1] >= 0:
            L.append('          FontID = %d' % it[-1])
        L.append('          LeftDelimiter = ' + q(it[0]))
        if pair:
            L.append('          RightDelimiter = ' + q(it[1]))
        L.append('        end')
    L[-1] += '>'
    return L


def affix_item(A, affix):
    if isinstance(affix, tuple):
        return (affix[0], A(affix[1]))
    return (affix, -1)


def emit_block(s, b):
    A = lambda style: s.attr(style, b['id'])
    L = ['    item', '      Name = ' + q(b['name']), '      ID = %d' % b['id']]
    if b['parent'] >= 0:
        L.append('      ParentID = %d' % b['parent'])
    flags = []
    if b.get('case'):
        L.append('      CaseSensitive = True')
    if b.get('meta'):
        L += ['      UseMetaSymbol = True', '      UseMetaToWrapLines = True',
              '      MetaSymbol = ' + q(b['meta'])]
    attrs = [('FIText', b['text'])]
    if b.get('numbers', True) and b.get('rules', True):
        n = A('Integer')
        attrs += [('FIIntNum', n), ('FIFloatNum', A('Float')), ('FIHexNum', A('Hexadecimal'))]
    if b.get('directive'):
        attrs.append(('FIDirective', A('Defines')))
    if b.get('rules', True):
        attrs.append(('FISymbol', A(b.get('symbolstyle', 'Delimiters'))))
        attrs.append(('FIIdentifier', A(b.get('identstyle', 'Identifier'))))
    for k, v in attrs:
        L.append('      %s = %d' % (k, v))
    slc = [(x, A('Comment')) for x in b.get('slc', [])]
    mlc = [(l, r, A('Comment')) for l, r in b.get('mlc', [])]
    sls = [(l, r, A('String')) for l, r in b.get('sls', [])]
    mls = [(l, r, A('String')) for l, r in b.get('mls', [])]
    numpre = [(x, attrs[3][1] if len(attrs) > 3 else b['text']) for x in b.get('numpre', [])]
    numsuf = [(x, b['text']) for x in b.get('numsuf', [])]
    # An affix item with a style marks its identifiers (a variable by its
    # sigil); a plain one only lets them be read as one word.
    identpre = [affix_item(A, x) for x in b.get('identpre', [])]
    identpairs = [(l, r, A(style)) for l, r, style in b.get('identpairs', [])]
    kws = [(name, words, A(style)) for name, words, style in b.get('keywords', [])]
    if b.get('rules', True):
        flags.append('UseSymbols')
    if b.get('directive'):
        flags.append('UseLineDirectives')
    if slc or mlc:
        flags.append('UseComments')
    if slc:
        flags.append('UseSingleLineComments')
    if mlc:
        flags.append('UseMultiLineComments')
    if sls or mls:
        flags.append('UseStrings')
    if sls:
        flags.append('UseSingleLineStrings')
    if mls:
        flags.append('UseMultiLineStrings')
    if b.get('numbers', True) and b.get('rules', True):
        flags.append('UseNumbers')
    if numpre:
        flags.append('UsePrefixedNumbers')
    if numsuf:
        flags.append('UseSuffixedNumbers')
    for f in flags:
        L.append('      %s = True' % f)
    if numsuf:
        L.append('      UseMultipleNumSuffixes = False')
    if b.get('rules', True):
        L.append('      UseIdentifiers = True')
    if identpre:
        L.append('      UsePrefixedIdentifiers = True')
    if identpairs:
        L.append('      UsePrefixedSuffixedIdentifiers = True')
    if kws:
        L.append('      UseKeywords = True')
    if b.get('endswithparent'):
        L.append('      EndsWithParent = True')
    if b['delims']:
        L.append('      BlockDelimiters = <')
        for l, r, part in b['delims']:
            L += ['        item', '          LeftDelimiter = ' + q(l), '          RightDelimiter = ' + q(r)]
            if part:
                L.append('          DelimitersArePartOfBlock = True')
            L.append('        end')
        L[-1] += '>'
    else:
        L.append('      BlockDelimiters = <>')
    if b.get('directive'):
        L.append('      LineDirectivePrefix = ' + q(b['directive']))
    L += tokens('SingleLineCommentDelimiters', slc, False)
    L += tokens('MultiLineCommentDelimiters', mlc, True)
    L += tokens('SingleLineStringDelimiters', sls, True)
    L += tokens('MultiLineStringDelimiters', mls, True)
    L += tokens('NumPrefixes', numpre, False)
    L += tokens('NumSuffixes', numsuf, False)
    L += tokens('IdentPrefixes', identpre, False)
    L += tokens('IdentPrefixesSuffixes', identpairs, True)
    if kws:
        L.append('      KeywordSets = <')
        for name, words, fid in kws:
            L += ['        item', '          FontID = %d' % fid, '          Name = ' + q(name),
                  '          Keywords = ' + q(words), '        end']
        L[-1] += '>'
    if b.get('first'):
        L.append('      FirstIdentChars = ' + q(b['first']))
    if b.get('other'):
        L.append('      OtherIdentChars = ' + q(b['other']))
    L.append('    end')
    return L

JS_WORDS = ('await,break,case,catch,class,const,continue,debugger,default,delete,do,else,enum,'
            'export,extends,false,finally,for,function,if,implements,import,in,instanceof,'
            'interface,let,new,null,package,private,protected,public,return,static,super,switch,'
            'this,throw,true,try,typeof,var,void,while,with,yield,async,of,get,set')
JS_OPS = None
JAVA_WORDS = ('abstract,assert,boolean,break,byte,case,catch,char,class,const,continue,default,do,'
              'double,else,enum,extends,final,finally,float,for,goto,if,implements,import,'
              'instanceof,int,interface,long,native,new,package,private,protected,public,return,'
              'short,static,strictfp,super,switch,synchronized,this,throw,throws,transient,try,'
              'void,volatile,while,true,false,null,var,record,yield,sealed,permits,non-sealed')
PHP_WORDS = ('__halt_compiler,abstract,and,array,as,break,callable,case,catch,class,clone,const,'
             'continue,declare,default,die,do,echo,else,elseif,empty,enddeclare,endfor,'
             'endforeach,endif,endswitch,endwhile,enum,eval,exit,extends,final,finally,fn,for,'
             'foreach,function,global,goto,if,implements,include,include_once,instanceof,'
             'insteadof,interface,isset,list,match,namespace,new,or,print,private,protected,'
             'public,readonly,require,require_once,return,static,switch,throw,trait,try,unset,'
             'use,var,while,xor,yield,true,false,null,self,parent,__class__,__dir__,__file__,'
             '__function__,__line__,__method__,__namespace__,__trait__')
VBS_WORDS = ('and,as,byref,byval,call,case,class,const,dim,do,each,else,elseif,empty,end,eqv,erase,'
             'error,exit,explicit,false,for,function,get,goto,if,imp,in,is,let,loop,mod,new,next,'
             'not,nothing,null,on,option,or,preserve,private,property,public,randomize,redim,'
             'resume,select,set,step,stop,sub,then,to,true,until,wend,while,with,xor')
SQL_WORDS = ('add,all,alter,and,any,as,asc,between,by,case,check,column,commit,constraint,create,'
             'cross,database,default,delete,desc,distinct,drop,else,end,exists,foreign,from,full,'
             'grant,group,having,in,index,inner,insert,into,is,join,key,left,like,limit,not,null,'
             'offset,on,or,order,outer,primary,references,revoke,right,rollback,select,set,table,'
             'then,transaction,truncate,union,unique,update,values,view,when,where,with')
SQL_TYPES = 'bigint,binary,bit,blob,boolean,char,date,datetime,decimal,double,float,int,integer,numeric,real,smallint,text,time,timestamp,varchar'
HTML_TAGS = ('a,abbr,address,area,article,aside,audio,b,base,bdi,bdo,blockquote,body,br,button,'
             'canvas,caption,cite,code,col,colgroup,data,datalist,dd,del,details,dfn,dialog,div,'
             'dl,dt,em,embed,fieldset,figcaption,figure,footer,form,h1,h2,h3,h4,h5,h6,head,header,'
             'hgroup,hr,html,i,iframe,img,input,ins,kbd,label,legend,li,link,main,map,mark,menu,'
             'meta,meter,nav,noscript,object,ol,optgroup,option,output,p,param,picture,pre,'
             'progress,q,rp,rt,ruby,s,samp,script,search,section,select,slot,small,source,span,'
             'strong,style,sub,summary,sup,table,tbody,td,template,textarea,tfoot,th,thead,time,'
             'title,tr,track,u,ul,var,video,wbr')
# The property index that tools/gen_css_properties.py writes.
with open(os.path.join(os.path.dirname(__file__), 'css-properties.txt'), encoding='utf-8') as f:
    CSS_PROPS = ','.join(f.read().split())
# Prefixed properties are properties whatever follows the prefix.
CSS_VENDOR_PREFIXES = ['-webkit-', '-moz-', '-ms-', '-o-']
# At-rules whose braces hold rules, not declarations: their prelude ends at
# the brace, and the rules inside read as at the top level.
CSS_GROUP_RULES = ['@media', '@supports', '@container', '@scope', '@starting-style',
                   '@document', '@-moz-document', '@keyframes', '@-webkit-keyframes',
                   '@-moz-keyframes', '@-o-keyframes']
CSS_OTHER = '0-9A-Z_a-z\\-'
CSS_FIRST = 'A-Z_a-z\\-'


def php_block(s, parent):
    return s.block('PHP', parent, [('<?php', '?>', True), ('<?=', '?>', True), ('<?', '?>', True)],
                   case=False, meta='\\', slc=['//', '#'], mlc=[('/*', '*/')],
                   sls=[('"', '"'), ("'", "'")], numpre=['0x'], identpre=[('$', 'System Variable')],
                   keywords=[('Reserved words', PHP_WORDS, 'Reserved words 1')],
                   identstyle='Identifier')


def js_rules():
    return dict(case=True, meta='\\', slc=['//'], mlc=[('/*', '*/')],
                sls=[('"', '"'), ("'", "'")], mls=[('`', '`')], numpre=['0x', '0X'],
                first='$A-Z_a-z', other='$0-9A-Z_a-z',
                keywords=[('Reserved words', JS_WORDS, 'Reserved words 1')])


def css_values():
    return dict(mlc=[('/*', '*/')], sls=[('"', '"'), ("'", "'")], numpre=['#'],
                numsuf=['px', 'em', 'rem', '%', 'pt', 'vh', 'vw', 's', 'ms', 'deg'],
                first=CSS_FIRST, other=CSS_OTHER)


def css_rules():
    return dict(css_values(), identpre=[(p, 'Reserved words 2') for p in CSS_VENDOR_PREFIXES],
                keywords=[('Properties', CSS_PROPS, 'Reserved words 2')])


# Character references: &name;, &#160; and &#x1F600; are one word between
# "&" and ";" once "#" may start a word. Page text and attribute values read
# as words over the punctuation every page scheme already reserves (so the
# symbol set stays as it is), which keeps their tokens few; a word stops at
# "&", ";", quotes and "<", where references, values and blocks begin.
MARKUP_WORD = '!#$%*\\-/0-9:A-Z_a-z'
ENTITY = dict(identpairs=[('&', ';', 'Reserved words 3')], first=MARKUP_WORD, other=MARKUP_WORD)


def markup(s, ssi=False, php=True):
    root = s.block('Text', rules=False, **ENTITY)
    if php:
        php_block(s, 0)
    if ssi:
        s.block('Include', 0, [('<!--#', '-->', True)], textstyle='Defines', rules=False)
    comment = s.block('Comment', 0, [('<!--', '-->', True)], textstyle='Comment', rules=False)
    if php:  # the server runs it wherever it stands
        php_block(s, comment['id'])

    def tag(name, parent, d):
        t = s.block(name, parent, d, numbers=False, textstyle='Html tags', first='A-Z_a-z',
                    other='\\-0-9:A-Z_a-z', identstyle='Html params',
                    keywords=[('Tags', HTML_TAGS, 'Html keywords')])
        value = s.block('Attribute value', t['id'], [('"', '"', True), ("'", "'", True)],
                        textstyle='String', rules=False, **ENTITY)
        if php:
            php_block(s, value['id'])
        return t

    st = tag('Style tag', 0, [('<style', '</style>', True)])
    css = s.block('CSS', st['id'], [('>', '</style>', False)], **css_rules())
    if php:
        php_block(s, css['id'])
    sc = tag('Script tag', 0, [('<script', '</script>', True)])
    js = s.block('JavaScript', sc['id'], [('>', '</script>', False)], **js_rules())
    if php:
        php_block(s, js['id'])
    t = tag('Tag', 0, [('<', '>', True)])
    if php:
        php_block(s, t['id'])
    return root


def css_scheme():
    css = Scheme('CSS', 'css')
    css.block('Selectors', mlc=[('/*', '*/')], sls=[('"', '"'), ("'", "'")], first=CSS_FIRST,
              other=CSS_OTHER, keywords=[('Tags', HTML_TAGS, 'Html keywords')])
    css.block('Group rule', 0, [(r, '{', True) for r in CSS_GROUP_RULES], **css_rules())
    decl = css.block('Declarations', 0, [('{', '}', True)], **css_rules())
    # A value runs from the colon to the semicolon, or to the brace that ends
    # the rule when the last declaration has none.
    css.block('Value', decl['id'], [(':', ';', True)], endswithparent=True, **css_values())
    css.templates = [('media', 'media query', ['@media (max-width: |px) {', '}']), ('rule', 'rule', ['| {', '}'])]
    css.file = 'css.sch'
    return css


def build():
    out = []
    html = Scheme('HTML', 'htm;html;xhtml'); markup(html)
    html.templates = [('html', 'page skeleton', ['<!DOCTYPE html>', '<html>', '<head><title>|</title></head>', '<body>', '</body>', '</html>']),
                      ('a', 'link', ['<a href="|"></a>']), ('table', 'table', ['<table>', '  <tr><td>|</td></tr>', '</table>'])]
    html.file = 'html.sch'; out.append(html)
    php = Scheme('PHP', 'php;php3;php4;php5;phtml;inc'); markup(php)
    php.templates = [('php', 'PHP block', ['<?php |?>']), ('foreach', 'foreach loop', ['foreach ($| as $item) {', '}']),
                     ('func', 'function', ['function |() {', '}'])]
    php.file = 'php.sch'; out.append(php)
    ssi = Scheme('Server-side includes', 'shtml;shtm;stm'); markup(ssi, ssi=True, php=False)
    ssi.templates = [('inc', 'include a file', ['<!--#include virtual="|" -->']), ('echo', 'echo a variable', ['<!--#echo var="|" -->'])]
    ssi.file = 'ssi.sch'; out.append(ssi)
    out.append(css_scheme())
    xml = Scheme('XML', 'xml;xsl;xslt;xsd;svg;rss')
    xml.block('Text', rules=False)
    xml.block('Comment', 0, [('<!--', '-->', True)], textstyle='Comment', rules=False)
    xml.block('CDATA', 0, [('<![CDATA[', ']]>', True)], textstyle='Html preformatted', rules=False)
    xml.block('Processing instruction', 0, [('<?', '?>', True)], textstyle='Defines',
              sls=[('"', '"'), ("'", "'")], numbers=False, identstyle='Html params', case=True)
    xml.block('Tag', 0, [('<', '>', True)], sls=[('"', '"'), ("'", "'")], numbers=False, textstyle='Html tags', case=True,
              other='\\-.0-9:A-Z_a-z', identstyle='Html params')
    xml.templates = [('xml', 'declaration', ['<?xml version="1.0" encoding="UTF-8"?>', '|']), ('cdata', 'CDATA section', ['<![CDATA[|]]>'])]
    xml.file = 'xml.sch'; out.append(xml)
    js = Scheme('JavaScript', 'js;mjs;json'); js.block('JavaScript', **js_rules())
    js.templates = [('for', 'for loop', ['for (let i = 0; i < |; i++) {', '}']), ('func', 'function', ['function |() {', '}']),
                    ('log', 'console output', ['console.log(|);'])]
    js.file = 'javascript.sch'; out.append(js)
    vbs = Scheme('VBScript', 'vbs;vb;asp')
    vbs.block('VBScript', slc=["'", 'REM'], sls=[('"', '"')], numpre=['&H', '&h'],
              keywords=[('Reserved words', VBS_WORDS, 'Reserved words 1')])
    vbs.templates = [('sub', 'procedure', ['Sub |()', 'End Sub']), ('if', 'if block', ['If | Then', 'End If'])]
    vbs.file = 'vbscript.sch'; out.append(vbs)
    java = Scheme('Java', 'java;jsp')
    java.block('Java', case=True, meta='\\', slc=['//'], mlc=[('/*', '*/')], sls=[('"', '"'), ("'", "'")],
               mls=[('"""', '"""')], numpre=['0x', '0X'], numsuf=['L', 'l', 'f', 'F', 'd', 'D'], identpre=['@'],
               keywords=[('Reserved words', JAVA_WORDS, 'Reserved words 1')])
    java.templates = [('main', 'main method', ['public static void main(String[] args) {', '  |', '}']),
                      ('sout', 'print a line', ['System.out.println(|);'])]
    java.file = 'java.sch'; out.append(java)
    sql = Scheme('SQL', 'sql')
    sql.block('SQL', slc=['--'], mlc=[('/*', '*/')], sls=[("'", "'")], mls=[('"', '"')],
              keywords=[('Reserved words', SQL_WORDS, 'Reserved words 1'), ('Types', SQL_TYPES, 'Reserved words 2')])
    sql.templates = [('sel', 'select', ['SELECT | FROM ']), ('ins', 'insert', ['INSERT INTO | () VALUES ();'])]
    sql.file = 'sql.sch'; out.append(sql)
    log = Scheme('Log file', 'log')
    log.block('Log', sls=[('"', '"')], first='A-Z_a-z', keywords=[('Levels', 'ERROR,FATAL,FAIL,FAILED,CRITICAL', 'Reserved words 1'),
                                                                  ('Notices', 'WARN,WARNING,INFO,NOTICE,DEBUG,TRACE', 'Reserved words 2')])
    log.templates = [('mark', 'marker line', ['==== | ====']), ('date', 'date stamp', ['|YYYY-MM-DD'])]
    log.file = 'log.sch'; out.append(log)
    txt = Scheme('Plain text', 'txt')
    txt.block('Text', rules=False)
    txt.templates = [('sig', 'signature', ['-- ', '|']), ('todo', 'to-do item', ['TODO: |'])]
    txt.file = 'text.sch'; out.append(txt)
    for s in out:
        s.write()


if __name__ == '__main__':
    build()
