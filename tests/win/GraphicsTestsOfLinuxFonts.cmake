# Included by CTest after the discovered graphics tests (see
# tests/graphics/CMakeLists.txt): the ones whose premise Windows fonts do
# not share are listed, not run.
set_tests_properties(StyledText.WithoutAFontNothingIsDrawnAndNothingIsKept PROPERTIES DISABLED TRUE)
