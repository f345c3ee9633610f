# The Windows folder: one flat folder a player unzips and runs
# (scripts/windows/build.sh installs it and zips it with CPack).
#
#   zrc.exe, zrc-cli.exe, zrc-http.dll, qt.conf
#   Qt's and MinGW's runtime DLLs; platforms/, styles/, imageformats/, tls/
#   translations/qtbase_zh_CN.qm
#   ZRCdata.dat, ZRCendpoints.ini, 说明文档.txt, pages/, ZRCimages/

if(TARGET zrc)
  install(TARGETS zrc RUNTIME DESTINATION .)
endif()
install(TARGETS zrc-cli RUNTIME DESTINATION .)
install(TARGETS zrc-http LIBRARY DESTINATION . RUNTIME DESTINATION .)
install(FILES ${ZRC_BIN_DIR}/ZRCdata.dat ${ZRC_BIN_DIR}/ZRCendpoints.ini ${ZRC_BIN_DIR}/说明文档.txt DESTINATION .)
install(DIRECTORY ${ZRC_BIN_DIR}/ZRCimages ${ZRC_BIN_DIR}/pages DESTINATION .)
# Qt looks for its plugins and catalogues beside the program.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/windows/qt.conf DESTINATION .)

# Qt's runtime, from the cross-built prefix (its bin/ holds MinGW's too).
get_filename_component(zrc_qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
foreach(dll Qt6Core Qt6Gui Qt6Widgets Qt6Network libstdc++-6 libgcc_s_seh-1 libwinpthread-1)
  install(FILES ${zrc_qt_prefix}/bin/${dll}.dll DESTINATION .)
endforeach()
install(FILES ${zrc_qt_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${zrc_qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
foreach(format qgif qico qjpeg)
  install(FILES ${zrc_qt_prefix}/plugins/imageformats/${format}.dll DESTINATION imageformats)
endforeach()
install(FILES ${zrc_qt_prefix}/plugins/tls/qschannelbackend.dll DESTINATION tls)
# Qt's Chinese texts come from the host's qt6-translations-l10n.
set(ZRC_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH "Folder holding qtbase_zh_CN.qm")
install(FILES ${ZRC_QT_TRANSLATIONS}/qtbase_zh_CN.qm DESTINATION translations)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME zrc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME zrc-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
