namespace korvane::configuration_widgets {}
