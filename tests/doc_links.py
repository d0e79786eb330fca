#!/usr/bin/env python3
"""Every link of the README, doc/ and web/README.md that leads into the
project leads somewhere: its file is there, and its #anchor is a heading of
that file (as GitHub makes anchors: lower case, punctuation dropped, spaces
as hyphens, a repeated heading numbered). Links to the web are not followed.

    doc_links.py ROOT
"""
import os
import re
import sys

root = sys.argv[1]
pages = ['README.md', 'web/README.md'] + sorted(
    os.path.join('doc', f) for f in os.listdir(os.path.join(root, 'doc')) if f.endswith('.md'))
LINK = re.compile(r'\]\(([^)\s]+)(?:\s+"[^"]*")?\)')


def anchors(path):
    found, seen = set(), {}
    fenced = False
    for line in open(path, encoding='utf-8'):
        if line.startswith('```'):
            fenced = not fenced
        heading = re.match(r'#{1,6}\s+(.*?)\s*#*\s*$', line)
        if fenced or not heading:
            continue
        text = re.sub(r'[`*_]|<[^>]+>', '', heading.group(1))
        slug = re.sub(r'[^\w\- ]', '', text.lower()).replace(' ', '-')
        n = seen.get(slug, 0)
        seen[slug] = n + 1
        found.add(slug if n == 0 else f'{slug}-{n}')
    return found


failures = []
for page in pages:
    here = os.path.dirname(os.path.join(root, page))
    fenced = False
    for number, line in enumerate(open(os.path.join(root, page), encoding='utf-8'), 1):
        if line.startswith('```'):
            fenced = not fenced
        if fenced:
            continue
        for target in LINK.findall(line):
            if re.match(r'[a-z]+:', target):
                continue
            file, _, anchor = target.partition('#')
            path = os.path.normpath(os.path.join(here, file)) if file else os.path.join(root, page)
            if not os.path.exists(path):
                failures.append(f'{page}:{number}: {target}: no such file')
            elif anchor and path.endswith('.md') and anchor not in anchors(path):
                failures.append(f'{page}:{number}: {target}: no such heading')
for failure in failures:
    print(failure)
print(f'links of {len(pages)} documents: {len(failures)} lead nowhere')
sys.exit(1 if failures else 0)
