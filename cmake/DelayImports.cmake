# quav_delay_imports(TARGET dll...): TARGET imports these DLLs on first use,
# through src/DelayLoadHook.cpp, instead of at start. The link map records
# which functions it takes from each, for the import check.
function(quav_delay_imports target)
  set(triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
  set(libraries "")
  foreach(dll ${ARGN})
    set(library ${CMAKE_CURRENT_BINARY_DIR}/delay-imports/lib${dll}-delay.a)
    add_custom_command(OUTPUT ${library}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/delay-imports
      COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/delay-import-lib.sh ${triple} ${dll} ${library}
      DEPENDS ${PROJECT_SOURCE_DIR}/cmake/delay-import-lib.sh
      COMMENT "Delay-import library for ${dll}.dll")
    list(APPEND libraries ${library})
  endforeach()
  add_custom_target(${target}-delay-imports DEPENDS ${libraries})
  add_dependencies(${target} ${target}-delay-imports)
  target_link_libraries(${target} PRIVATE ${libraries})
  target_link_options(${target} PRIVATE -Wl,-Map=$<TARGET_FILE:${target}>.map)
endfunction()
