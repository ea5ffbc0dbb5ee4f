# Delay-load import libraries: a program linked with one maps the system
# library at the first call into it instead of at start. Each is made once,
# at configure time, from the toolchain's own import library: every function
# that library names, imported by name from the same DLL.

# teko_delay_import(<out_var> <name>): the path of lib<name>_delay.a, the
# delay-load counterpart of lib<name>.a, for <name>.dll.
function(teko_delay_import out_var name)
  set(folder ${CMAKE_BINARY_DIR}/delay-imports)
  set(library ${folder}/lib${name}_delay.a)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${name}.a
    OUTPUT_VARIABLE import OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT EXISTS ${library} OR ${import} IS_NEWER_THAN ${library})
    file(MAKE_DIRECTORY ${folder})
    execute_process(COMMAND ${CMAKE_NM} -g ${import}
      OUTPUT_VARIABLE symbols ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
    # The import thunks: __imp_Name on x86_64, __imp__Name@bytes on i686.
    string(REGEX MATCHALL "[^\n]* I __imp_[^\n]*" thunks "${symbols}")
    set(exports)
    foreach(thunk IN LISTS thunks)
      string(REGEX REPLACE ".* I __imp_" "" export "${thunk}")
      if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        string(REGEX REPLACE "^_" "" export "${export}")
      endif()
      list(APPEND exports "${export}")
    endforeach()
    list(REMOVE_DUPLICATES exports)
    list(JOIN exports "\n  " lines)
    file(WRITE ${folder}/${name}.def "LIBRARY ${name}.dll\nEXPORTS\n  ${lines}\n")
    # i686 names carry the stdcall @bytes; the DLL exports them without.
    set(kill_at)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      set(kill_at --kill-at)
    endif()
    execute_process(COMMAND ${CMAKE_DLLTOOL} ${kill_at} --input-def ${name}.def --dllname ${name}.dll
                            --temp-prefix ${name}_delay --output-delaylib ${library}
      WORKING_DIRECTORY ${folder} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(${out_var} ${library} PARENT_SCOPE)
endfunction()
