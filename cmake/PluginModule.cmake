# A plug-in module is a shared object with a host file name (corvatrix.dle,
# .dlo, .dlm) and nothing visible but its C entry points. Installed, it sits
# beside the host library that it links (the shipped modules install
# themselves; the tests' fixture modules are not installed).
function(corvatrix_plugin_module target file_name)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${file_name}
    SUFFIX ""
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    INSTALL_RPATH "$ORIGIN")
endfunction()
