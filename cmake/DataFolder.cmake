# Puts the templates of the data folder (schema, help pages, shipped data files) into share/velt
# of the build folder, where a program run from the build folder finds them as an installed one
# finds /usr/share/velt. The data folder itself is never inside the build folder.
add_custom_target(templates ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/help
            ${CMAKE_BINARY_DIR}/share/velt/help
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/schema.sql
            ${CMAKE_SOURCE_DIR}/data/special_stations.txt ${CMAKE_BINARY_DIR}/share/velt
    COMMENT "Preparing the templates of the data folder"
    VERBATIM)
add_dependencies(velt templates)
