target_link_libraries(bench_${name} PRIVATE ostrel_report ostrel_windows ostrel_app ostrel_ui)
