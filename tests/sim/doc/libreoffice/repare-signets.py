# Repairs the bookmark ends LibreOffice writes (each end given the id of the
# latest start): the k-th end of the converted document closes the bookmark
# the k-th end of the original closed, and takes that bookmark's start id.
import re, sys
orig, conv, out = sys.argv[1:4]
A = r'<aml:annotation aml:id="([^"]*)" w:type="Word\.Bookmark\.(Start|End)"(?: w:name="([^"]*)")?/>'
o = open(orig, encoding='utf-8').read()
c = open(conv, encoding='utf-8').read()
noms = {}
fins = []
for m in re.finditer(A, o):
    if m.group(2) == 'Start': noms[m.group(1)] = m.group(3)
    else: fins.append(noms[m.group(1)])
ids = {m.group(3): m.group(1) for m in re.finditer(A, c) if m.group(2) == 'Start'}
k = iter(fins)
def fin(m):
    if m.group(2) == 'Start': return m.group(0)
    return '<aml:annotation aml:id="%s" w:type="Word.Bookmark.End"/>' % ids[next(k)]
c2 = re.sub(A, fin, c)
assert next(k, None) is None
open(out, 'w', encoding='utf-8').write(c2)
