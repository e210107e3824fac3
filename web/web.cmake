# The web page from the desktop build: the emscripten build in build/web (the
# site in build/web/site), the test driver from npm, and the tests in
# Chromium and under node.

include(ExternalProject)
# Debian's emscripten runs its helpers with the node on PATH and keeps their
# modules under /usr/share/nodejs.
set(WEB_ENV ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(WEB_DIR ${CMAKE_BINARY_DIR}/web)
ExternalProject_Add(web
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${WEB_DIR}
  CONFIGURE_COMMAND ${WEB_ENV} emcmake ${CMAKE_COMMAND} -S <SOURCE_DIR> -B <BINARY_DIR>
                    -DCMAKE_BUILD_TYPE=MinSizeRel
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  USES_TERMINAL_BUILD ON)

# Playwright's driver for the system's Chromium (it downloads no browser).
set(WEB_TESTS ${CMAKE_SOURCE_DIR}/tests/web)
set(NPM_DIR ${CMAKE_BINARY_DIR}/web-tests)
add_custom_command(OUTPUT ${NPM_DIR}/node_modules/.package-lock.json
  COMMAND ${CMAKE_COMMAND} -E make_directory ${NPM_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${WEB_TESTS}/package.json ${WEB_TESTS}/package-lock.json
          ${NPM_DIR}
  COMMAND npm ci --prefix ${NPM_DIR} --no-audit --no-fund --loglevel=error
  DEPENDS ${WEB_TESTS}/package.json ${WEB_TESTS}/package-lock.json
  COMMENT "Installing the web tests' driver from npm")
add_custom_target(web_test_driver ALL DEPENDS ${NPM_DIR}/node_modules/.package-lock.json)

# The same program: the simulator in WebAssembly under node prints exactly
# what the native one prints, match by match.
add_test(NAME web.simulator_matches_as_native
  COMMAND bash ${WEB_TESTS}/same_matches.sh $<TARGET_FILE:simulate> ${WEB_DIR}/simulate.js 300)

# The golden matches play as recorded in WebAssembly too.
add_test(NAME web.golden_matches COMMAND node ${WEB_DIR}/simulate.js --golden)

# The server of ./web.sh, against hostile requests and as a static host.
add_test(NAME web.serve COMMAND node --test ${WEB_TESTS}/serve.test.js)

# The live channel: the page in Chromium and the desktop under Xvfb, tuned in
# at different moments, show what the simulator says the channel shows.
add_test(NAME web.live COMMAND node --test ${WEB_TESTS}/live.test.js)
set_tests_properties(web.live PROPERTIES TIMEOUT 300
  ENVIRONMENT "NODE_PATH=${NPM_DIR}/node_modules;SITE=${WEB_DIR}/site;SIMULATE=$<TARGET_FILE:simulate>;BLUNDERFEST=$<TARGET_FILE:blunderfest>")

# The page in headless Chromium: a few minutes, more on a loaded machine.
add_test(NAME web.page COMMAND node --test ${WEB_TESTS}/page.test.js)
set_tests_properties(web.page PROPERTIES TIMEOUT 900
  ENVIRONMENT "NODE_PATH=${NPM_DIR}/node_modules;SITE=${WEB_DIR}/site;LINEUPS=$<TARGET_FILE:lineups>;SIMULATE=$<TARGET_FILE:simulate>")
