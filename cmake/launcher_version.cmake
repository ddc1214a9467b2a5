# launcher_resources(<target> <file version>): the resource script compiled with the branding of
# this build and the given file version, as an object library. A test can so build a copy of the
# launcher that carries another version.
function(launcher_resources target version)
  string(REPLACE "." "," numbers "${version}")
  set(LAUNCHER_FILE_VERSION "${version}")
  set(LAUNCHER_FILE_VERSION_NUMBERS "${numbers}")
  set(config_dir "${CMAKE_BINARY_DIR}/generated/${target}")
  configure_file("${PROJECT_SOURCE_DIR}/src/res/build_config.h.in" "${config_dir}/build_config.h" @ONLY)
  add_library(${target} OBJECT "${PROJECT_SOURCE_DIR}/src/res/launcher.rc")
  target_include_directories(${target} PRIVATE "${config_dir}" "${PROJECT_SOURCE_DIR}/src/res")
  file(GLOB artwork CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/res/png/*.png"
       "${PROJECT_SOURCE_DIR}/src/res/*.ico" "${PROJECT_SOURCE_DIR}/src/res/*.bmp")
  set_source_files_properties("${PROJECT_SOURCE_DIR}/src/res/launcher.rc" PROPERTIES
    OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/src/res/launcher.manifest;${PROJECT_SOURCE_DIR}/src/res/settings.zip;${artwork}")
endfunction()
