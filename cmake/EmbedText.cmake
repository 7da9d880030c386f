# zn_embed_text(target symbol file): builds a text file of the source tree (a database schema, for
# example) into target as
#     extern const char* const symbol; // the file's bytes as they stand, NUL-terminated
# so that the program carries it instead of reading it at run time. The bytes are written as
# numbers, so the execution character set never changes them.
#
# Run as a script (cmake -DSOURCE=... -DOUTPUT=... -DSYMBOL=... -P EmbedText.cmake), the file
# writes that source file.
if(CMAKE_SCRIPT_MODE_FILE)
    file(READ "${SOURCE}" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    file(WRITE "${OUTPUT}"
        "// Generated from ${SOURCE}.\n"
        "namespace { const unsigned char bytes[] = {${bytes}0}; }\n"
        "extern const char* const ${SYMBOL} = reinterpret_cast<const char*>(bytes);\n")
    return()
endif()

set(ZN_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(zn_embed_text target symbol file)
    get_filename_component(source ${file} ABSOLUTE)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded/${symbol}.cpp)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DOUTPUT=${output} -DSYMBOL=${symbol} -P ${ZN_EMBED_SCRIPT}
        DEPENDS ${source} ${ZN_EMBED_SCRIPT}
        COMMENT "Embedding ${file}")
    target_sources(${target} PRIVATE ${output})
endfunction()
