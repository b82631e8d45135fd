target_link_libraries(bench_${name} PRIVATE ostrel_windows ostrel_app ostrel_ui)
