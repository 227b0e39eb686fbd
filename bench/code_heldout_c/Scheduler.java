public final class Scheduler {
    private static final long PERIOD_MS = 2_500L;
    private final Map<String, Integer> retries = new HashMap<>();

    public int next(String key) {
        int n = retries.getOrDefault(key, 0) + 1;
        retries.put(key, n);
        return n <= 3 ? n * 250 : -1;
    }
}
