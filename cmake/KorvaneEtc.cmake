# Run by CPack before it packs: the configuration installed under the prefix's etc/
# belongs under /etc in the package (cmake --install --prefix DIR keeps DIR/etc).
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
if(EXISTS "${root}${CPACK_PACKAGING_INSTALL_PREFIX}/etc")
  file(RENAME "${root}${CPACK_PACKAGING_INSTALL_PREFIX}/etc" "${root}/etc")
endif()
