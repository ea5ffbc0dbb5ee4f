"""make_tree.py ROOT FOLDERS FILES: a tree of FOLDERS folders (two levels)
holding FILES files of 100 to 4,000 bytes, the same for the same arguments."""
import os
import random
import sys

root, folders, files = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
top = max(1, int(folders ** 0.5))
paths = []
for i in range(top):
    paths.append(os.path.join(root, f"top{i:03}"))
index = 0
while len(paths) < folders:
    paths.append(os.path.join(paths[index % top], f"sub{index:04}"))
    index += 1
for path in paths:
    os.makedirs(path)
rng = random.Random(7)
for n in range(files):
    with open(os.path.join(paths[n % folders], f"file{n:05}.tmp"), "wb") as f:
        f.write(b"x" * rng.randint(100, 4000))
