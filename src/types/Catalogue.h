#pragma once
// placeholder, replaced by the catalogue
