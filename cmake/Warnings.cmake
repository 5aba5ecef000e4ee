# Every target of ours gets the same warning set; CI builds make them errors.
add_library(tb_warnings INTERFACE)
target_compile_options(tb_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                              -Wno-sign-conversion)
if(TB_WERROR)
    target_compile_options(tb_warnings INTERFACE -Werror)
endif()
if(TB_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()
