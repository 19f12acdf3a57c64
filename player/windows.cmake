# The windows library and the solvane program.
