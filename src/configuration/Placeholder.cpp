// empty until the flows land
namespace korvane::configuration {}
