# The broadcast as a static web site (build/web/site), built with emscripten
# from the same core, and the match simulator for node.

# ---- The program -------------------------------------------------------------------
file(GLOB WEB_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/web/*.cpp)
set(SITE ${CMAKE_BINARY_DIR}/site)
add_executable(blunderfest_web ${WEB_SOURCES})
target_link_libraries(blunderfest_web PRIVATE blunderfest_core)
set_target_properties(blunderfest_web PROPERTIES OUTPUT_NAME blunderfest SUFFIX .js
  RUNTIME_OUTPUT_DIRECTORY ${SITE})
# A wait hands control back to the browser through Asyncify: only web_wait
# suspends the program.
target_link_options(blunderfest_web PRIVATE
  -sASYNCIFY -sASYNCIFY_IMPORTS=["web_wait"] -sASYNCIFY_STACK_SIZE=65536
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
  --js-library ${CMAKE_SOURCE_DIR}/web/library.js)
set_property(TARGET blunderfest_web APPEND PROPERTY LINK_DEPENDS
  ${CMAKE_SOURCE_DIR}/web/library.js)

# ---- The site around it: the page, our pictures, the fonts, the offline cache --------
add_custom_target(site ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DSITE=${SITE}
          -P ${CMAKE_SOURCE_DIR}/web/make_site.cmake
  DEPENDS blunderfest_web
  COMMENT "Putting the site together in ${SITE}")

# ---- The simulator under node --------------------------------------------------------
add_executable(simulate_web ${CMAKE_SOURCE_DIR}/tools/simulate.cpp)
target_link_libraries(simulate_web PRIVATE blunderfest_sim)
set_target_properties(simulate_web PROPERTIES OUTPUT_NAME simulate SUFFIX .js)
target_link_options(simulate_web PRIVATE
  -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1)

# Debian's emscripten links with the node on PATH and keeps the modules it
# needs under /usr/share/nodejs.
set_target_properties(blunderfest_web simulate_web PROPERTIES
  CXX_LINKER_LAUNCHER "${CMAKE_COMMAND};-E;env;NODE_PATH=/usr/share/nodejs")
