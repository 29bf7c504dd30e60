# Tests des Windows-Baus: dieselben Testquellen wie unter Linux, übersetzt mit MinGW-w64 und
# ausgeführt unter Wine (Label "windows"). Jedes Testprogramm ist ein CTest-Test: ein Start von
# Wine je GoogleTest-Fall kostete ein Vielfaches der Tests selbst.

# GoogleTest aus Debians Quellpaket (googletest), mit demselben Kreuzcompiler.
set(KESTRAV_GTEST_QUELLEN /usr/src/googletest CACHE PATH "Quellen von GoogleTest")
if(NOT EXISTS ${KESTRAV_GTEST_QUELLEN}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest-Quellen fehlen in ${KESTRAV_GTEST_QUELLEN} (Paket googletest)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${KESTRAV_GTEST_QUELLEN} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Fremder Code: Warnungen neuerer Compiler sind nicht unsere (GTest::gtest legt er selbst an).
foreach(ziel gtest gtest_main)
  target_compile_options(${ziel} PRIVATE -w)
  target_link_options(${ziel} PUBLIC -static)
endforeach()

# Ein Wine-Präfix je Testlauf: angelegt vor dem ersten, entfernt nach dem letzten Test.
set(KESTRAV_WINE_TEST ${CMAKE_SOURCE_DIR}/scripts/wine-test.sh)
set(KESTRAV_WINE_PRAEFIX ${CMAKE_BINARY_DIR}/wine-praefix)
add_test(NAME windows_praefix_anlegen COMMAND ${KESTRAV_WINE_TEST} ${KESTRAV_WINE_PRAEFIX} anlegen)
add_test(NAME windows_praefix_entfernen
         COMMAND ${KESTRAV_WINE_TEST} ${KESTRAV_WINE_PRAEFIX} entfernen)
set_tests_properties(windows_praefix_anlegen PROPERTIES FIXTURES_SETUP wine LABELS windows)
set_tests_properties(windows_praefix_entfernen PROPERTIES FIXTURES_CLEANUP wine LABELS windows)

# Der Linux-Simulator für den ganzen Tag unter Wine (aus dem Linux-Bau, der vorher läuft).
set(KESTRAV_LINUX_BIN ${CMAKE_SOURCE_DIR}/build/bin CACHE PATH "Programme des Linux-Baus")

file(GLOB HILFEN_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/hilfen/*.cpp)
# Kindprozesse der Linux-Tests laufen über fork/exec.
list(FILTER HILFEN_SOURCES EXCLUDE REGEX "/(Kindprozess|Prozesslauf)\\.cpp$")
add_library(kestrav_testhilfen STATIC ${HILFEN_SOURCES})
target_include_directories(kestrav_testhilfen PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(kestrav_testhilfen PUBLIC kestrav_kern kestrav_os GTest::gtest)

# kestrav_windows_test(ordner [exklusiv] [fenster]): exklusiv für Tests, die c:\programme\ des
# Präfixes benutzen; fenster für Tests der Win32-Oberfläche, die unter einem eigenen Xvfb laufen.
function(kestrav_windows_test name)
  file(GLOB src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  foreach(nur_posix ${KESTRAV_NUR_POSIX})
    list(FILTER src EXCLUDE REGEX "/${nur_posix}$")
  endforeach()
  if(NOT src)
    return()
  endif()
  add_executable(test_${name} ${src})
  target_link_libraries(test_${name} PRIVATE kestrav_testhilfen GTest::gtest_main)
  # Linux-Pfade über Wines Laufwerk Z: (die Wurzel), auch wenn ein Test C: zum aktuellen macht.
  target_compile_definitions(test_${name} PRIVATE
    KESTRAV_BIN_DIR="Z:${CMAKE_BINARY_DIR}/bin"
    KESTRAV_SOURCE_DIR="Z:${CMAKE_SOURCE_DIR}"
    KESTRAV_LINUX_BIN="${KESTRAV_LINUX_BIN}")
  if(TARGET kestrav-stapel)
    add_dependencies(test_${name} kestrav-stapel)
  endif()
  set(vor)
  if("fenster" IN_LIST ARGN)
    set(vor ${CMAKE_SOURCE_DIR}/scripts/xvfb-wine.sh)
    target_link_libraries(test_${name} PRIVATE kestrav_win32ui)
  endif()
  list(JOIN KESTRAV_NUR_POSIX_FAELLE ":" ausgelassen)
  add_test(NAME windows_${name}
           COMMAND ${vor} ${KESTRAV_WINE_TEST} ${KESTRAV_WINE_PRAEFIX} $<TARGET_FILE:test_${name}>
                   --gtest_filter=-${ausgelassen})
  set_tests_properties(windows_${name} PROPERTIES LABELS windows FIXTURES_REQUIRED wine)
  if("exklusiv" IN_LIST ARGN)
    set_tests_properties(windows_${name} PROPERTIES RESOURCE_LOCK laufwerk_c)
  endif()
endfunction()

# Nur für Tests: startet unter Wine das Linux-Programm gleichen Namens und wartet auf sein Ende.
add_executable(vexlo-testanlasser ${CMAKE_CURRENT_SOURCE_DIR}/windows-anlasser/Testanlasser.cpp)
target_link_libraries(vexlo-testanlasser PRIVATE kestrav_text)
target_link_options(vexlo-testanlasser PRIVATE -municode)

# Der Demotag unter Wine gegen denselben Tag unter Linux, byte-genau; dazu die Reihenfolge der
# Stapelzeilen.
add_test(NAME windows_demotag
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/demotag.sh ${KESTRAV_WINE_TEST}
                 ${KESTRAV_WINE_PRAEFIX} ${CMAKE_BINARY_DIR}/bin ${KESTRAV_LINUX_BIN}
                 ${CMAKE_SOURCE_DIR})
set_tests_properties(windows_demotag PROPERTIES LABELS windows FIXTURES_REQUIRED wine
                     RESOURCE_LOCK laufwerk_c)

# Prüfen die Laufwerkszuordnung (D: neben C:, Host-Pfade unter Z:) oder Dateinamen, die Windows
# gar nicht anlegen kann (Steuerzeichen, Anführungszeichen).
set(KESTRAV_NUR_POSIX modKestravTest.cpp)
set(KESTRAV_NUR_POSIX_FAELLE Start.BefehlszeileWirdStartargumentUndVerzeichnis
                             Rinexscan.UnsichereNamenFehlenUnlesbareWerdenGenannt)
kestrav_windows_test(text)
kestrav_windows_test(kern exklusiv)
kestrav_windows_test(windows exklusiv)
kestrav_windows_test(win32ui fenster)

# Der Demotag durch das Win32-Fenster, byte-gleich zu Linux.
if(TARGET test_win32ui)
  add_test(NAME windows_demotag_fenster
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/xvfb-wine.sh
                   ${CMAKE_CURRENT_SOURCE_DIR}/win32ui/demotag.sh ${KESTRAV_WINE_TEST}
                   ${KESTRAV_WINE_PRAEFIX} ${CMAKE_BINARY_DIR}/bin ${KESTRAV_LINUX_BIN}
                   ${CMAKE_SOURCE_DIR})
  set_tests_properties(windows_demotag_fenster PROPERTIES LABELS windows FIXTURES_REQUIRED wine
                       RESOURCE_LOCK laufwerk_c)
endif()
