target_link_libraries(bench_${name} PRIVATE ostrel_chart3d ostrel_windows ostrel_ui)
