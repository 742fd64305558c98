#!/bin/sh
# The strip that CPack runs over the Debian packages' programs and libraries: as Debian's own
# packaging does, it also drops the compiler's .comment and .note sections (lintian asks for it).
exec strip --remove-section=.comment --remove-section=.note "$@"
