# Libraries built with the project from their Debian source packages, which the
# set-up (scripts/lib.sh, qv_fetch_sources) unpacks into QV_DEPS_DIR: the same
# sources for the native and the Windows tree.
#   qv_uchardet  the text encoding detector (uchardet)
#   qv_utf8proc  Unicode character classes and case mapping (utf8proc)
set(QV_DEPS_DIR "${CMAKE_SOURCE_DIR}/build/deps" CACHE PATH "Where the set-up unpacked the source packages")

foreach(package uchardet utf8proc)
  if(NOT EXISTS "${QV_DEPS_DIR}/${package}/.fetched")
    message(FATAL_ERROR "The source package ${package} is missing from ${QV_DEPS_DIR}: "
                        "run scripts/test, or: bash -c 'source scripts/lib.sh; qv_fetch_sources'")
  endif()
endforeach()

file(GLOB uchardet_sources "${QV_DEPS_DIR}/uchardet/src/*.cpp" "${QV_DEPS_DIR}/uchardet/src/LangModels/*.cpp")
add_library(qv_uchardet STATIC ${uchardet_sources})
target_include_directories(qv_uchardet SYSTEM PUBLIC "${QV_DEPS_DIR}/uchardet/src")
target_compile_definitions(qv_uchardet PRIVATE VERSION="debian")
target_compile_options(qv_uchardet PRIVATE -w)

add_library(qv_utf8proc STATIC "${QV_DEPS_DIR}/utf8proc/utf8proc.c")
target_include_directories(qv_utf8proc SYSTEM PUBLIC "${QV_DEPS_DIR}/utf8proc")
target_compile_definitions(qv_utf8proc PUBLIC UTF8PROC_STATIC)
target_compile_options(qv_utf8proc PRIVATE -w)
