target_link_libraries(bench_${name} PRIVATE ostrel_report ostrel_app ostrel_ui)
