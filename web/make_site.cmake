# Puts the site together around the built program: cmake -DSOURCE=... -DSITE=... -P
# The folder then holds every file the page needs and nothing else.

# What an earlier build left and this one does not make goes.
file(REMOVE_RECURSE ${SITE}/fonts ${SITE}/pictures)
foreach(page index.html page.css manifest.webmanifest)
  configure_file(${SOURCE}/web/${page} ${SITE}/${page} COPYONLY)
endforeach()
include(${SOURCE}/web/page/join.cmake)
file(GLOB pictures ${SOURCE}/assets/*.svg)
file(COPY ${pictures} DESTINATION ${SITE}/pictures)

# Liberation Sans and Serif, the metric twins of the design's Arial and Times
# New Roman, with their licence (SIL Open Font License 1.1).
set(FONTS /usr/share/fonts/truetype/liberation2)
file(COPY ${FONTS}/LiberationSans-Regular.ttf ${FONTS}/LiberationSans-Bold.ttf
     ${FONTS}/LiberationSans-BoldItalic.ttf
     ${FONTS}/LiberationSerif-Regular.ttf ${FONTS}/LiberationSerif-Bold.ttf
     DESTINATION ${SITE}/fonts)
configure_file(/usr/share/doc/fonts-liberation2/copyright ${SITE}/fonts/LICENSE.txt COPYONLY)

# The service worker caches every file; its cache's name follows their contents.
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(SITE_FILES "\"./\"")
foreach(f ${files})
  file(SHA256 ${SITE}/${f} digest)
  string(APPEND digests "${digest}")
  string(APPEND SITE_FILES ", \"${f}\"")
endforeach()
string(SHA256 SITE_DIGEST "${digests}")
string(SUBSTRING ${SITE_DIGEST} 0 16 SITE_DIGEST)
configure_file(${SOURCE}/web/sw.js ${SITE}/sw.js @ONLY)
