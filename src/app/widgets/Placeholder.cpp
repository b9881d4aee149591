namespace korvane::app_widgets {}
