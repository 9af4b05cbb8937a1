# The fuzz targets and the libraries each one needs. Shared by the libFuzzer build
# (fuzz/CMakeLists.txt, clang) and the corpus replay tests (tests/hardening, any
# compiler): target <t> is fuzz/fuzz_<t>.cpp with its seed corpus in fuzz/corpus/<t>/.
set(QUORVEL_FUZZ_TARGETS parsenumber commatext linelist projectfiles catalogs)
set(QUORVEL_FUZZ_LIBRARIES_parsenumber quorvel_core)
set(QUORVEL_FUZZ_LIBRARIES_commatext quorvel_storage)
set(QUORVEL_FUZZ_LIBRARIES_linelist quorvel_storage)
set(QUORVEL_FUZZ_LIBRARIES_projectfiles quorvel_project quorvel_test_support)
set(QUORVEL_FUZZ_LIBRARIES_catalogs quorvel_storage)
