# Installation and the Debian package (`cmake --build build --target package`).
#
# Layout under /usr:
#   bin/zrc, bin/zrc-cli
#   lib/zrc/zrc-webview.so            private: only zrc loads it (src/platform/WebView.cpp)
#   lib/zrc/zrc-http.so               private: the network side of the HTTP client (src/platform/HttpGet.cpp)
#   share/zrc/                        the bundled sample, the default data (read-only)
#   share/applications, share/metainfo, share/icons/hicolor, share/man/man1

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/Windows.cmake)
  return()
endif()

set(ZRC_APP_ID cn.zrc.assistant)

if(TARGET zrc)
  install(TARGETS zrc RUNTIME DESTINATION bin)
endif()
install(TARGETS zrc-cli RUNTIME DESTINATION bin)
# Both look for it in ../lib/zrc beside themselves.
install(TARGETS zrc-http LIBRARY DESTINATION lib/zrc)
if(TARGET zrc-webview)
  # The program looks for it in ../lib/zrc beside itself.
  install(TARGETS zrc-webview LIBRARY DESTINATION lib/zrc)
endif()

# The sample data, as zrc-samplegen wrote it beside the executables.
install(FILES ${ZRC_BIN_DIR}/ZRCdata.dat ${ZRC_BIN_DIR}/ZRCendpoints.ini ${ZRC_BIN_DIR}/说明文档.txt
        DESTINATION share/zrc)
install(DIRECTORY ${ZRC_BIN_DIR}/ZRCimages ${ZRC_BIN_DIR}/pages DESTINATION share/zrc)

# Desktop integration.
set(zrc_pkg ${CMAKE_CURRENT_LIST_DIR})
install(FILES ${zrc_pkg}/${ZRC_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${zrc_pkg}/${ZRC_APP_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 48 128 256)
  install(FILES ${zrc_pkg}/icons/zrc-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${ZRC_APP_ID}.png)
endforeach()
install(FILES ${zrc_pkg}/icons/zrc.svg DESTINATION share/icons/hicolor/scalable/apps RENAME ${ZRC_APP_ID}.svg)

# Manual pages, compressed as Debian keeps them.
find_program(ZRC_GZIP gzip)
if(ZRC_GZIP)
  set(zrc_man_pages)
  foreach(page zrc.1 zrc-cli.1)
    set(out ${CMAKE_BINARY_DIR}/man/${page}.gz)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${ZRC_GZIP} -9nc ${zrc_pkg}/${page} > ${out}
      DEPENDS ${zrc_pkg}/${page}
      VERBATIM)
    list(APPEND zrc_man_pages ${out})
  endforeach()
  add_custom_target(zrc_man_pages ALL DEPENDS ${zrc_man_pages})
  install(FILES ${zrc_man_pages} DESTINATION share/man/man1)
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zrc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ZR角色助手：篮球网游Hoopra的角色查询与能力计算")
set(CPACK_PACKAGE_DESCRIPTION
"篮球网游Hoopra玩家的桌面助手：查看游戏的球队和角色（性别、职业、身高、
十二项基础能力和图片），按职业、等级、身高、训练、VIP、服装、饰品和队友
一步步算出角色的最终能力，并附带能力对比、升级、技能和分区延迟等工具。

软件包自带示例数据（/usr/share/zrc），装好即可运行；用 --data-dir 选项或
ZRC_DATA_DIR 环境变量指向真实的游戏数据库。命令行伙伴 zrc-cli 用与窗口
相同的引擎重放角色设定。")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # zrc_3.2-1_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ZR角色助手 maintainers <maintainers@zrc.invalid>")
# Libraries the executables and the plugin link: computed by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The web engine's helper process (libqt6webenginecore6-bin) comes with
# them, through the engine's own shlibs entry. What no ELF file names: the CJK
# font the windows ask for, Qt's platform plugins and Qt's translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
