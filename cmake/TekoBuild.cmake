# Shared compile settings and the helpers every target uses.

function(teko_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wimplicit-fallthrough
    -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual -Wformat=2
    # Platform records are set up as {sizeof record}, the rest zero.
    -Wno-missing-field-initializers)
  if(TEKO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A program that ships keeps its debug information in <program>.debug beside
# it, found by debuggers through a debug link: the image that the loader maps
# at every start holds only code and data.
function(teko_split_debug_info target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()

if(TEKO_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # Unicode everywhere; Windows 7 is the oldest target the manifest names.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Each program stands alone: no MinGW runtime DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()

# Everything a Wine process of ours needs: its own prefix and a throwaway home,
# so that no prefix folder links to a real user's files and the recycle bin
# (the freedesktop Trash under XDG_DATA_HOME) is ours alone.
set(TEKO_WINE_ROOT ${CMAKE_BINARY_DIR}/wine)
function(teko_wine_environment out_var name)
  set(home ${TEKO_WINE_ROOT}/${name}/home)
  set(${out_var}
    "WINEPREFIX=${TEKO_WINE_ROOT}/${name}/prefix"
    "HOME=${home}"
    "XDG_DATA_HOME=${home}/.local/share"
    "XDG_CONFIG_HOME=${home}/.config"
    "XDG_CACHE_HOME=${home}/.cache"
    "WINEDEBUG=-all"
    "WINEDLLOVERRIDES=mscoree,mshtml="
    PARENT_SCOPE)
endfunction()

# The Windows form of a Linux path, through Wine's drive Z:.
function(teko_windows_path out_var path)
  string(REPLACE "/" "\\" win "${path}")
  set(${out_var} "Z:${win}" PARENT_SCOPE)
endfunction()

# Windows opened under Wine need an X display: the tests share one virtual
# display per build tree, on a display number free when configured.
function(teko_pick_display out_var)
  string(MD5 hash "${CMAKE_BINARY_DIR}")
  string(SUBSTRING "${hash}" 0 4 prefix)
  math(EXPR number "0x${prefix} % 5000 + 1000")
  foreach(attempt RANGE 50)
    if(NOT EXISTS /tmp/.X11-unix/X${number} AND NOT EXISTS /tmp/.X${number}-lock)
      break()
    endif()
    math(EXPR number "${number} + 1")
  endforeach()
  set(${out_var} ${number} PARENT_SCOPE)
endfunction()

# Adds every folder of the calling directory that has a CMakeLists.txt.
macro(teko_add_subfolders)
  file(GLOB _teko_subfolders LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(_teko_subfolder IN LISTS _teko_subfolders)
    if(IS_DIRECTORY ${_teko_subfolder} AND EXISTS ${_teko_subfolder}/CMakeLists.txt)
      add_subdirectory(${_teko_subfolder})
    endif()
  endforeach()
endmacro()

# Picked here, before any folder adds a test that runs under Wine.
if(WIN32 AND NOT DEFINED CACHE{TEKO_DISPLAY})
  teko_pick_display(display)
  set(TEKO_DISPLAY ${display} CACHE STRING "Virtual X display number of the Wine tests")
endif()
