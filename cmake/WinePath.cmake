# corvella_wine_path(OUT PATH): the path as Windows programs under Wine see
# it (drive Z: is the Linux root), backslashes doubled for a C string literal.
function(corvella_wine_path out path)
  string(REPLACE "/" "\\\\" converted "Z:${path}")
  set(${out} "${converted}" PARENT_SCOPE)
endfunction()
