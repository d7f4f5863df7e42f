// filled in by the paths work
