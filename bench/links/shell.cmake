target_link_libraries(bench_${name} PRIVATE ostrel_app ostrel_utility ostrel_ui)
