namespace korvane::platform_widgets {}
