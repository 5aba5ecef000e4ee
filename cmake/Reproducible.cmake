# The same sources give the same bytes wherever they are checked out: paths under the source
# folder (the build folders included) are written relative to it in debug information, __FILE__
# and assertion messages.
add_compile_options($<$<COMPILE_LANGUAGE:C,CXX,ASM>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>)
