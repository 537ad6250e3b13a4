# Fuzzers of the receive path: the packet collector and the two transfer
# state machines, fed arbitrary chunk sequences.
velotar_add_fuzzer(fuzz_collector SOURCES FuzzCollector.cpp LIBS velotar_link)
velotar_add_fuzzer(fuzz_transfers SOURCES FuzzTransfers.cpp LIBS velotar_link)
target_include_directories(fuzz_transfers PRIVATE ${PROJECT_SOURCE_DIR}/tests/link)
