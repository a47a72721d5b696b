# Puts the program's data folder in place beside the executable: empty databases made from the
# schema when missing (never overwritten), the help pages and the shipped data files.
find_program(SQLITE3_EXECUTABLE sqlite3 REQUIRED)
add_custom_target(datafolder ALL
    COMMAND ${CMAKE_COMMAND}
            -DSQLITE3=${SQLITE3_EXECUTABLE}
            -DSCHEMA=${CMAKE_SOURCE_DIR}/data/schema.sql
            -DSOURCE=${CMAKE_SOURCE_DIR}/data
            -DDEST=${VELT_DATA_DIR}
            -P ${CMAKE_SOURCE_DIR}/cmake/MakeDataFolder.cmake
    COMMENT "Preparing the data folder"
    VERBATIM)
