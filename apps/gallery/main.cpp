#include <cstdio>

int main() {
  std::puts("Gadrix gallery");
  return 0;
}
