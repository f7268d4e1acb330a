# The internal skins, in collection order. Each source folder skins/data/NAME
# is packed into <build>/skins/NAME (internal).asz, and the packages are
# compiled into lingotab_skins as constant data (internal_skins.h).
set(lingotab_internal_skins
    "DarkGlass" "NextAlpha" "Aluminium" "Garnet" "Golden" "LongHorn" "MacMetal"
    "Nautilus" "Neutral" "Neutral2" "Office12Style" "Pulsar" "Retro" "TheFrog"
    "Topaz" "Vienna Ext" "Vista" "Winter2003" "XPSilver" "Office2007 Blue")

set(lingotab_packages_dir ${CMAKE_BINARY_DIR}/skins)
file(MAKE_DIRECTORY ${lingotab_packages_dir})
set(lingotab_packages)
set(lingotab_embed_args)
foreach(skin IN LISTS lingotab_internal_skins)
    set(folder "${CMAKE_SOURCE_DIR}/skins/data/${skin}")
    if(NOT EXISTS "${folder}/Options.dat")
        continue()
    endif()
    set(package "${lingotab_packages_dir}/${skin} (internal).asz")
    file(GLOB files CONFIGURE_DEPENDS "${folder}/*")
    add_custom_command(OUTPUT "${package}"
        COMMAND skinpack pack "${folder}" "${package}"
        DEPENDS skinpack ${files}
        COMMENT "Packing ${skin} (internal)"
        VERBATIM)
    list(APPEND lingotab_packages "${package}")
    list(APPEND lingotab_embed_args "${skin} (internal)" "${package}")
endforeach()

set(lingotab_packages_source ${CMAKE_CURRENT_BINARY_DIR}/internal_skin_packages.cpp)
add_custom_command(OUTPUT ${lingotab_packages_source}
    COMMAND skinpack embed ${lingotab_packages_source} ${lingotab_embed_args}
    DEPENDS skinpack ${lingotab_packages}
    COMMENT "Embedding the internal skin packages"
    VERBATIM)
target_sources(lingotab_skins PRIVATE ${lingotab_packages_source})
