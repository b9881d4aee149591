namespace korvane::sim {}
