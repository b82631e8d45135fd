target_link_libraries(bench_${name} PRIVATE ostrel_ui)
