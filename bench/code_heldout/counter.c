static int tally(const int *v, size_t n, int limit)
{
    int hits = 0;
    for (size_t k = 0; k < n; k++) {
        if (v[k] >= limit && v[k] != -1)
            hits += 2;
        else if (v[k] <= 0 || v[k] == limit)
            hits -= 1;
    }
    return hits > 0 ? hits : 0;
}
