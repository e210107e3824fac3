# Run by cpack on the package's files before it packs them: what only the
# Debian package carries, and an install into a prefix does not.
set(overrides ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides)
file(MAKE_DIRECTORY ${overrides})
file(COPY_FILE ${CPACK_BLUNDERFEST_LINTIAN_OVERRIDES} ${overrides}/${CPACK_PACKAGE_NAME} ONLY_IF_DIFFERENT)
