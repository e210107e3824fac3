# The broadcast as a static web site (build/web/site), built with emscripten
# from the same core, and the match simulator for node.

# ---- The program -------------------------------------------------------------------
file(GLOB WEB_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/web/*.cpp)
set(SITE ${CMAKE_BINARY_DIR}/site)
add_executable(blunderfest_web ${WEB_SOURCES})
target_link_libraries(blunderfest_web PRIVATE blunderfest_core blunderfest_live)
set_target_properties(blunderfest_web PROPERTIES OUTPUT_NAME blunderfest SUFFIX .js
  RUNTIME_OUTPUT_DIRECTORY ${SITE})
# A wait hands control back to the browser through Asyncify: only web_wait,
# web_pause and web_live_clock suspend the program.
target_link_options(blunderfest_web PRIVATE
  -sASYNCIFY -sASYNCIFY_IMPORTS=["web_wait","web_pause","web_live_clock"] -sASYNCIFY_STACK_SIZE=65536
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
  --js-library ${CMAKE_SOURCE_DIR}/web/library.js)
set_property(TARGET blunderfest_web APPEND PROPERTY LINK_DEPENDS
  ${CMAKE_SOURCE_DIR}/web/library.js)

# ---- The fonts: Liberation Sans and Serif cut to the characters the page shows -------
# Debian's fontTools (python3-fonttools, with python3-brotli for WOFF2) serves
# Debian's own python.
find_program(SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
set(FONT_NAMES LiberationSans-Regular LiberationSans-Bold LiberationSans-BoldItalic
               LiberationSerif-Regular LiberationSerif-Bold)
set(FONTS ${CMAKE_BINARY_DIR}/fonts)
list(TRANSFORM FONT_NAMES PREPEND ${FONTS}/ OUTPUT_VARIABLE font_files)
list(TRANSFORM font_files APPEND .woff2)
file(GLOB text_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*/*.cpp
     ${CMAKE_SOURCE_DIR}/src/*/*.h ${CMAKE_SOURCE_DIR}/web/*.js ${CMAKE_SOURCE_DIR}/web/*.html)
add_custom_command(OUTPUT ${font_files} ${FONTS}/LICENSE.txt
  COMMAND ${SYSTEM_PYTHON} ${CMAKE_SOURCE_DIR}/web/make_fonts.py ${CMAKE_SOURCE_DIR} ${FONTS}
          ${FONT_NAMES}
  DEPENDS ${CMAKE_SOURCE_DIR}/web/make_fonts.py ${text_sources}
  COMMENT "Cutting the fonts to the characters the page shows")

# ---- The site around it: the page, our pictures, the fonts, the offline cache --------
add_custom_target(site ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DSITE=${SITE} -DFONTS=${FONTS}
          -P ${CMAKE_SOURCE_DIR}/web/make_site.cmake
  DEPENDS blunderfest_web ${font_files}
  COMMENT "Putting the site together in ${SITE}")

# ---- The simulator under node --------------------------------------------------------
add_executable(simulate_web ${CMAKE_SOURCE_DIR}/tools/simulate.cpp
  ${CMAKE_SOURCE_DIR}/tools/live_guide.cpp)
target_link_libraries(simulate_web PRIVATE blunderfest_sim blunderfest_live)
set_target_properties(simulate_web PROPERTIES OUTPUT_NAME simulate SUFFIX .js)
target_link_options(simulate_web PRIVATE
  -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1)

# Debian's emscripten links with the node on PATH and keeps the modules it
# needs under /usr/share/nodejs.
set_target_properties(blunderfest_web simulate_web PROPERTIES
  CXX_LINKER_LAUNCHER "${CMAKE_COMMAND};-E;env;NODE_PATH=/usr/share/nodejs")
