#!/bin/sh
# Fails, naming the lines, when a file under cycle/ includes a folder that builds on it.
top=${1:?usage: core-includes.sh SOURCE_DIR}
if grep -rnE '#include "(panels|shell|convert|desktop|zentrel-cycle|resources)/' "$top/cycle"; then
    echo "cycle/ must not include the folders above it" >&2
    exit 1
fi
