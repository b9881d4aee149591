namespace korvane::cli {}
