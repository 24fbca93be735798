# The Debian packages the programs and the tests need.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config libcairo2-dev libsdl2-dev libx11-dev libfontconfig-dev
  libfreetype-dev fonts-ipafont-gothic fonts-liberation2 googletest libgtest-dev)
BENCH_PACKAGES=(libbenchmark-dev)
TEST_PACKAGES=(xvfb xauth xdotool imagemagick python3)
