# Writes the AppStream file to ZAPBRIK_METAINFO_OUT. AppStream takes screenshots
# only as web addresses: whoever publishes the pictures of docs/screenshots/
# gives their folder's address in ZAPBRIK_SCREENSHOTS_URL (ending in "/"), and the
# file lists them; without one it leaves them out rather than name an address
# that does not exist. Included by the build; run with -P by the install test.
if(ZAPBRIK_SCREENSHOTS_URL)
  file(READ ${CMAKE_CURRENT_LIST_DIR}/appstream-screenshots.xml.in screenshots)
  string(CONFIGURE "${screenshots}" ZAPBRIK_APPSTREAM_SCREENSHOTS @ONLY)
else()
  set(ZAPBRIK_APPSTREAM_SCREENSHOTS "")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/org.zapbrik.Zapbrik.metainfo.xml.in ${ZAPBRIK_METAINFO_OUT} @ONLY)
