# The Debian packages of each use, sourced by run.sh and test.sh.
# shellcheck shell=bash
BUILD_PACKAGES=(cmake g++ make qt6-base-dev libgl-dev qt6-svg-dev libboost-dev fonts-liberation)
TEST_PACKAGES=(googletest libgtest-dev libbenchmark-dev desktop-file-utils appstream clang-format
               dpkg-dev lintian file groff-base)
