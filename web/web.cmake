# The web build: the core compiled by emscripten against the pinned libraries, and the page around it.
# Configured by scripts/web.sh; included by the top CMakeLists.txt only under emcmake.
set(VORLAINE_WEB_DEPS "" CACHE PATH "Install prefix of the web libraries (scripts/web_deps.sh prints it)")
set(VORLAINE_WEB_DATA "" CACHE PATH "The program folder to preload: the native build's game folder")
set(VORLAINE_WEB_FONTS "/usr/share/fonts/truetype/liberation2" CACHE PATH "Where Liberation Sans is")
if(NOT IS_DIRECTORY "${VORLAINE_WEB_DEPS}" OR NOT IS_DIRECTORY "${VORLAINE_WEB_DATA}")
  message(FATAL_ERROR "The web build needs -DVORLAINE_WEB_DEPS=<prefix> and -DVORLAINE_WEB_DATA=<folder>; "
                      "scripts/web.sh passes both.")
endif()

# Desktop-only pieces give way to their browser stand-ins (platform/web_*.cpp).
list(FILTER VORLAINE_CORE_SOURCES EXCLUDE REGEX
     "/platform/(instance|font_file_fontconfig|executable_folder)\\.cpp$")

# The page's file system is laid out as an install under /usr: the program "in" /usr/games, the data in
# /usr/share/games/vorlaine. The game finds its data from its executable's folder as an installed copy does.
set(web_prefix /usr)
set(web_data_folder ${web_prefix}/${VORLAINE_INSTALL_DATADIR})
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/game_folders.cpp PROPERTIES
  COMPILE_DEFINITIONS VORLAINE_DATA_RELATIVE="${VORLAINE_DATA_RELATIVE}")
set_source_files_properties(${CMAKE_SOURCE_DIR}/platform/web_executable_folder.cpp PROPERTIES
  COMPILE_DEFINITIONS VORLAINE_WEB_BINDIR="${web_prefix}/${CMAKE_INSTALL_BINDIR}/")

set(web_libs SDL2_ttf SDL2_image SDL2 freetype png16 jpeg minizip z)
set(web_lib_files)
foreach(lib ${web_libs})
  # Named straight, not found and cached: a new dependency prefix must never keep an old one's files.
  set(file ${VORLAINE_WEB_DEPS}/lib/lib${lib}.a)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "${file} is missing; run scripts/web_deps.sh")
  endif()
  list(APPEND web_lib_files ${file})
endforeach()

add_library(vorlaine_core STATIC ${VORLAINE_CORE_SOURCES})
target_include_directories(vorlaine_core PUBLIC ${CMAKE_SOURCE_DIR})
target_include_directories(vorlaine_core SYSTEM PUBLIC ${VORLAINE_WEB_DEPS}/include ${VORLAINE_WEB_DEPS}/include/SDL2)
target_compile_definitions(vorlaine_core PUBLIC VORLAINE_VERSION="${PROJECT_VERSION}")
target_link_libraries(vorlaine_core PUBLIC ${web_lib_files})

# The page: vorlaine.html with its .js, .wasm and .data (the program folder and the font). emcc's JS
# optimiser needs Debian's node modules at link time, however the build is started.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
add_executable(vorlaine app/main.cpp)
target_link_libraries(vorlaine PRIVATE vorlaine_core)
set_target_properties(vorlaine PROPERTIES SUFFIX ".html" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
set(web_dir ${CMAKE_SOURCE_DIR}/web)
# The data's place and time for the page (web/page.js gives the preloaded files that time).
set(web_facts ${CMAKE_BINARY_DIR}/data_facts.js)
add_custom_command(OUTPUT ${web_facts}
  COMMAND ${CMAKE_COMMAND} -DFOLDER=${web_data_folder} -DSTAMP=${VORLAINE_WEB_DATA}/.content-stamp
          -DOUT=${web_facts} -P ${web_dir}/data_facts.cmake
  DEPENDS ${web_dir}/data_facts.cmake ${VORLAINE_WEB_DATA}/.content-stamp VERBATIM)
add_custom_target(web_data_facts DEPENDS ${web_facts})
add_dependencies(vorlaine web_data_facts)
set(web_fonts)
foreach(face Regular Bold Italic BoldItalic)
  set(font ${VORLAINE_WEB_FONTS}/LiberationSans-${face}.ttf)
  list(APPEND web_fonts "SHELL:--preload-file ${font}@/usr/share/fonts/truetype/liberation2/LiberationSans-${face}.ttf")
endforeach()
target_link_options(vorlaine PRIVATE
  # The objects are compiled at -O3; at link binaryen's -O3 takes twice as long as -O2 (over a minute on two
  # busy cores) for no smaller or faster a page. Comes after the build type's -O3: the last one counts.
  -O2
  -sALLOW_MEMORY_GROWTH=1
  -sINITIAL_MEMORY=64MB
  -sFORCE_FILESYSTEM=1
  -lidbfs.js
  # SDL built outside emscripten's ports needs $autoResumeAudioContext and $dynCall from the JS library
  # (read from a file: a '$' does not survive CMake's and the shell's quoting).
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${web_dir}/library_funcs.json
  # Debian's emscripten cannot run its HTML minifier.
  -sMINIFY_HTML=0
  "SHELL:--shell-file ${web_dir}/shell.html"
  "SHELL:--pre-js ${web_facts}"
  "SHELL:--pre-js ${web_dir}/page.js"
  # The data only: no executable, nothing a desktop run left there (a career, a lock, whiteouts, the
  # portable marker, which would keep the player's files in the page's memory only).
  "SHELL:--preload-file ${VORLAINE_WEB_DATA}@${web_data_folder}"
  "SHELL:--exclude-file */vorlaine" "SHELL:--exclude-file */career.dat*" "SHELL:--exclude-file *.tmp"
  "SHELL:--exclude-file */.vorlaine.lock" "SHELL:--exclude-file */.wh.*" "SHELL:--exclude-file */portable"
  ${web_fonts})
set_property(TARGET vorlaine APPEND PROPERTY LINK_DEPENDS
             ${web_dir}/shell.html ${web_dir}/page.js ${web_facts} ${VORLAINE_WEB_DATA}/.content-stamp)
