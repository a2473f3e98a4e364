// Nothing to run: the build links one layer whole, and fails on a call upward.
int main() { return 0; }
