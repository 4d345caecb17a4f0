// Keeps the bank library non-empty while tests are being filled in.
namespace vzt { int bankLinked = 1; }
