namespace korvane::calibration_widgets {}
