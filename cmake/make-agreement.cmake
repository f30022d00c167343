# Writes the agreement that the installer shows: its introduction, then the full texts of
# the licences it names (the project's LICENSE, and the Apache License of the pinyin and
# OpenCC data).
#   cmake -DINTRO=<file> -DLICENSE=<file> -DAPACHE=<file> -DOUT=<file> -P make-agreement.cmake
set(rule "\n================================================================\n\n")
file(READ ${INTRO} intro)
file(READ ${LICENSE} project_licence)
file(READ ${APACHE} apache)
file(WRITE ${OUT} "${intro}${rule}${project_licence}${rule}${apache}")
