# The program's folders are layers: platform/ service headers, then morse/,
# practice/ and app/, each using only those below it. A layer's sources are
# compiled against an include root that holds links to the folders it may see,
# and no other, so an include that points up the order does not compile.
function(korvane_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SEES")
    set(root ${CMAKE_BINARY_DIR}/layer-roots/${target})
    file(MAKE_DIRECTORY ${root})
    foreach(folder IN LISTS ARG_SEES)
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endforeach()
    target_include_directories(${target} PRIVATE ${root})
endfunction()
