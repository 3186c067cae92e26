# The desktop calculators that the menu item 電卓 starts, in the order they
# are tried (the first one found on the PATH wins), and the Debian package
# that installs each, in the same order. The program reads the first list
# (src/app/CMakeLists.txt); a package may recommend any of the second.
set(ZEFRA_CALCULATOR_PROGRAMS
    gnome-calculator kcalc mate-calc galculator qalculate-gtk xcalc)
set(ZEFRA_CALCULATOR_PACKAGES
    gnome-calculator kcalc mate-calc galculator qalculate-gtk x11-apps)
